#include "ui/main_layout.h"

#include <QtTest>

// The controls' rects once the designed window is resized to each outer size in turn; QCOMPARE then names
// the first control that differs by its place in this list.
static QList<QRectF> RectsAfter(std::initializer_list<QSizeF> outerSizes) {
    parvola::MainLayout l = parvola::DesignLayout();
    for (const QSizeF& size : outerSizes) {
        parvola::Form_Resize(l, size.width(), size.height());
    }
    QList<QRectF> rects;
    for (const auto& r : {l.fraSource, l.fraFSize, l.fraDest, l.cmdSplit, l.cmdCancel, l.Dir, l.File1,
                          l.Label1, l.lblSize, l.DestDir, l.cmdNewDir}) {
        rects << QRectF(r.left, r.top, r.width, r.height);
    }
    return rects << QRectF(l.line1X2, l.line2X2, 0, 0);
}

class MainLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void resizing() {
        // Worked out by hand: each control at 9000 x 6000, then shrunk from there through 2150 x 2835 and
        // 2150 x 1300 to 1900 x 900, which takes every extent below zero at some step: those keep their last
        // value while the lefts and tops placed from them still move.
        const QRectF table[][2] = {
            {{120, 100, 3525, 5090}, {120, 100, 100, 390}},        // fraSource
            {{3775, 100, 3525, 1335}, {350, 100, 100, 1335}},      // fraFSize
            {{3775, 1535, 3525, 3665}, {350, 1535, 100, 500}},     // fraDest
            {{7450, 210, 1335, 375}, {600, 210, 1335, 375}},       // cmdSplit
            {{7450, 655, 1335, 375}, {600, 655, 1335, 375}},       // cmdCancel
            {{150, 250, 3225, 2295}, {150, 250, 3225, 712.5}},     // Dir
            {{130, 2595, 3255, 2195}, {130, 1012.5, 3255, 612.5}}, // File1
            {{120, 4785, 1335, 255}, {120, 85, 1335, 255}},        // Label1
            {{840, 4785, 1815, 255}, {840, 85, 1815, 255}},        // lblSize
            {{150, 240, 3225, 2790}, {150, 240, 3225, 2790}},      // DestDir
            {{1035, 3140, 1455, 375}, {-677.5, -25, 1455, 375}},   // cmdNewDir
            {{9450, 9450, 0, 0}, {2350, 2350, 0, 0}},              // line1X2, line2X2
        };
        QList<QRectF> large, small;
        for (const auto& row : table) {
            large << row[0];
            small << row[1];
        }
        QCOMPARE(RectsAfter({{9000, 6000}}), large);
        QCOMPARE(RectsAfter({{9000, 6000}, {2150, 2835}, {2150, 1300}, {1900, 900}}), small);
        // Grown back, no kept extent may leak into the new layout.
        QCOMPARE(RectsAfter({{9000, 6000}, {2150, 2835}, {2150, 1300}, {1900, 900}, {9000, 6000}}), large);
    }
};

QTEST_MAIN(MainLayoutTest)
#include "main_layout_test.moc"
