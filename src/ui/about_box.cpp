// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_box.h"

#include "engine/maker.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace parvola {

namespace {

// A label that shows text as a link and hands url to the shell when clicked.
QLabel* LinkLabel(const QString& text, const std::string& url, Shell& shell, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"link\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    QObject::connect(label, &QLabel::linkActivated, label, [&shell, url] { shell.OpenUrl(url); });
    return label;
}

} // namespace

frmAbout::frmAbout(Shell& shell, QWidget* owner) : QDialog(owner) {
    setObjectName("frmAbout");
    setWindowTitle("About Parvola");

    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(QApplication::windowIcon().pixmap(48, 48));

    auto* name = new QLabel(QStringLiteral("Parvola " PARVOLA_VERSION), this);
    name->setObjectName("Label1");
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    auto* web = LinkLabel(kMakerWebAddress, kMakerWebAddress, shell, this);
    web->setObjectName("Label5");
    auto* mail = LinkLabel(kMakerEmail, std::string("mailto:") + kMakerEmail, shell, this);
    mail->setObjectName("Label6");

    // OK is the default and the cancel button: Enter and Esc close the box like it does.
    auto* ok = new QPushButton("&OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(web, 1, 1);
    layout->addWidget(mail, 2, 1);
    layout->addWidget(ok, 3, 0, 1, 2, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace parvola
