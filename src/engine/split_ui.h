// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace parvola {

// The program's title: the caption of every message box and of the progress window.
inline constexpr const char* kAppTitle = "Parvola";

enum class MessageIcon { Critical, Question, Exclamation, Information };

// The answer a Yes/No box gives when the user just presses Enter. No wherever Yes would lose data.
enum class DefaultAnswer { Yes, No };

// What the disk dialog holds when it is left: a new disk, a formatted one, or cancel (both "Select a smaller
// size per partition" and "Cancel the operation all together"); None while no option was ever chosen.
enum class DiskChoice { None, NewDisk, Format, Cancel };

// What the split job needs from windows, and nothing more.
class SplitUi {
public:
    virtual ~SplitUi() = default;
    // A modal box with an OK button.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // A modal Yes/No box whose default button is defaultAnswer; true only for Yes.
    virtual bool AskYesNo(const std::string& text, MessageIcon icon, DefaultAnswer defaultAnswer) = 0;
    // Shows the progress window modelessly and lets the window system process pending input once.
    virtual void ShowProgress() = 0;
    // value runs from 0 to 100.
    virtual void SetProgress(int value) = 0;
    virtual void HideProgress() = 0;
    // Shows the disk dialog modally ("Insufficient space on removable media") and returns the choice it
    // holds when left. The choice lasts for the whole run of the program; only the dialog changes it.
    virtual DiskChoice ShowDiskDialog() = 0;
    // Shows how far the copy of a file onto a disk has come, in a small window of its own when the copy
    // takes long; 100 ends it.
    virtual void ShowCopyProgress(const std::string& name, int percent) = 0;
    // True once the user asked to stop the split. Asked between blocks, from whatever thread the job runs
    // on, so it must be safe to call from any thread.
    virtual bool CancelRequested() { return false; }
};

} // namespace parvola
