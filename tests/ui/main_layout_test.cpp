#include "ui/main_layout.h"

#include <QtTest>

using parvola::MainLayout;

Q_DECLARE_METATYPE(MainLayout)

namespace {

// QCOMPARE then names the first control that differs by its place in this list.
QList<QRectF> Rects(const MainLayout& l) {
    QList<QRectF> rects;
    for (const auto& r : {l.fraSource, l.fraFSize, l.fraDest, l.cmdSplit, l.cmdCancel, l.Dir, l.File1,
                          l.Label1, l.lblSize, l.DestDir, l.cmdNewDir}) {
        rects << QRectF(r.left, r.top, r.width, r.height);
    }
    return rects << QRectF(l.line1X2, l.line2X2, 0, 0);
}

MainLayout Resized(MainLayout layout, double outerWidth, double outerHeight) {
    parvola::Form_Resize(layout, outerWidth, outerHeight);
    return layout;
}

// The window at 9000 x 6000 twips, worked out by hand.
MainLayout Large() {
    MainLayout l;
    l.fraSource = {120, 100, 3525, 5090};
    l.fraFSize = {3775, 100, 3525, 1335};
    l.fraDest = {3775, 1535, 3525, 3665};
    l.cmdSplit = {7450, 210, 1335, 375};
    l.cmdCancel = {7450, 655, 1335, 375};
    l.Dir = {150, 250, 3225, 2295};
    l.File1 = {130, 2595, 3255, 2195};
    l.Label1 = {120, 4785, 1335, 255};
    l.lblSize = {840, 4785, 1815, 255};
    l.DestDir = {150, 240, 3225, 2790};
    l.cmdNewDir = {1035, 3140, 1455, 375};
    l.line1X2 = l.line2X2 = 9450;
    return l;
}

} // namespace

class MainLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void resizeFromLargeWindow_data();
    void resizeFromLargeWindow();
    void growingBackMatchesFreshResize();
};

void MainLayoutTest::resizeFromLargeWindow_data() {
    QTest::addColumn<double>("outerWidth");
    QTest::addColumn<double>("outerHeight");
    QTest::addColumn<MainLayout>("expected");

    QTest::newRow("same size") << 9000.0 << 6000.0 << Large();

    // Frame widths would be negative: they stay, and so does all that is placed from them.
    MainLayout narrow = Large();
    narrow.line1X2 = narrow.line2X2 = 2350;
    QTest::newRow("narrower than the frames") << 1900.0 << 6000.0 << narrow;

    // Frames 100 wide: their lists keep their widths while frames and buttons move, cmdNewDir to the left.
    MainLayout slim = Large();
    slim.fraSource.width = slim.fraFSize.width = slim.fraDest.width = 100;
    slim.fraFSize.left = slim.fraDest.left = 350;
    slim.cmdSplit.left = slim.cmdCancel.left = 600;
    slim.cmdNewDir.left = -677.5;
    slim.line1X2 = slim.line2X2 = 2600;
    QTest::newRow("narrower than the lists") << 2150.0 << 6000.0 << slim;

    QTest::newRow("lower than the source frame") << 9000.0 << 900.0 << Large();

    // fraDest 500 high: DestDir keeps its height, cmdNewDir goes above the frame; halves stay.
    MainLayout shallow = Large();
    shallow.fraSource.height = 1925;
    shallow.Dir.height = 712.5;
    shallow.File1.top = 1012.5;
    shallow.File1.height = 612.5;
    shallow.Label1.top = shallow.lblSize.top = 1620;
    shallow.fraDest.height = 500;
    shallow.cmdNewDir.top = -25;
    QTest::newRow("lower than the folder list") << 9000.0 << 2835.0 << shallow;

    // fraSource 390 high: its lists keep their heights, File1 goes under the kept Dir.
    MainLayout low = Large();
    low.fraSource.height = 390;
    low.Label1.top = low.lblSize.top = 85;
    QTest::newRow("lower than the file lists") << 9000.0 << 1300.0 << low;
}

void MainLayoutTest::resizeFromLargeWindow() {
    QFETCH(double, outerWidth);
    QFETCH(double, outerHeight);
    QFETCH(MainLayout, expected);

    const MainLayout large = Resized(parvola::DesignLayout(), 9000, 6000);
    QCOMPARE(Rects(Resized(large, outerWidth, outerHeight)), Rects(expected));
}

void MainLayoutTest::growingBackMatchesFreshResize() {
    const MainLayout shrunk = Resized(Resized(parvola::DesignLayout(), 2150, 1300), 1900, 900);
    QCOMPARE(Rects(Resized(shrunk, 9000, 6000)), Rects(Resized(parvola::DesignLayout(), 9000, 6000)));
}

QTEST_MAIN(MainLayoutTest)
#include "main_layout_test.moc"
