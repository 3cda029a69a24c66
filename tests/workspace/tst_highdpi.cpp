// The canvas on a screen with two device pixels to a pixel: its image is
// shown pixel for pixel, enlarged without blurring.
#include "formtest.h"

using namespace formtest;

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void canvasIsCrisp();
};

void TestHighDpi::canvasIsCrisp() {
    MainForm form;
    QVERIFY(Show(form));
    QCOMPARE(form.devicePixelRatio(), 2.0);
    Enter(form, {{20, 20}, {100, 20}, {100, 100}, {20, 100}});
    ClickButton(form, 0);
    const QImage shown = Picture1(form)->grab().toImage();
    const QImage& image = Picture1(form)->Image();
    const QPoint origin = Picture1(form)->contentsRect().topLeft() * 2;
    // every device pixel shows exactly the colour of the image pixel it enlarges
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QPoint device = origin + 2 * QPoint(x, y) + d;
                if (QColor(shown.pixel(device)) != QColor(image.pixel(x, y))) {
                    QFAIL(qPrintable(QString("pixel %1, %2 is blurred").arg(x).arg(y)));
                }
            }
        }
    }
}

PLANE_FIGURES_TEST_MAIN_SCALED(TestHighDpi, "2")
#include "tst_highdpi.moc"
