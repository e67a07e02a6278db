// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled pictures: every name the game loads is there at its size, sharp-screen
// copies are exactly double, and the pegs can be told apart by colour and by mark.
#include "TestSupport.h"

// Qt
#include <QImage>
#include <QTest>

// Std
#include <cmath>

namespace {

const QStringList kPegs{"imgPink", "imgBlue", "imgPurple", "imgGreen", "imgOrange", "imgLightBlue", "imgDarkBlue", "imgRed"};
const QStringList kStyles{"SwirlPic", "StonePic", "IcePic", "CocktailPic"};

QImage Load(const QString& file)
{
    return QImage(":/pictures/" + file).convertToFormat(QImage::Format_ARGB32);
}

/** The part of a picture a 25-pixel hole shows: its centre. */
QImage HoleView(const QImage& picture)
{
    return picture.copy((picture.width() - 25) / 2, (picture.height() - 25) / 2, 25, 25);
}

/** Mean colour of the centre `size` x `size` square, as r, g, b in 0..255. */
std::array<double, 3> MeanColour(const QImage& image, int size)
{
    std::array<double, 3> sum{};
    const int x0 = (image.width() - size) / 2;
    const int y0 = (image.height() - size) / 2;
    for (int y = y0; y < y0 + size; ++y) {
        for (int x = x0; x < x0 + size; ++x) {
            const QRgb p = image.pixel(x, y);
            sum[0] += qRed(p);
            sum[1] += qGreen(p);
            sum[2] += qBlue(p);
        }
    }
    for (double& s : sum)
        s /= size * size;
    return sum;
}

double Distance(const std::array<double, 3>& a, const std::array<double, 3>& b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

/** The centre 9 x 9 pixels as brightness with mean 0 and unit spread: the shape of the
 *  mark, free of the peg's colour and lightness. */
QList<double> MarkShape(const QImage& peg)
{
    QList<double> values;
    const int x0 = peg.width() / 2 - 4;
    const int y0 = peg.height() / 2 - 4;
    for (int y = y0; y < y0 + 9; ++y)
        for (int x = x0; x < x0 + 9; ++x)
            values << qGray(peg.pixel(x, y));
    double mean = 0;
    for (double v : values)
        mean += v;
    mean /= values.size();
    double spread = 0;
    for (double v : values)
        spread += (v - mean) * (v - mean);
    spread = std::sqrt(spread / values.size());
    for (double& v : values)
        v = (v - mean) / spread;
    return values;
}

double Correlation(const QList<double>& a, const QList<double>& b)
{
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        sum += a[i] * b[i];
    return sum / a.size();
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void bundledAtTheirSizes_data();
    void bundledAtTheirSizes();
    void holePicturesAreOpaque();
    void pegColoursAreClearlyDifferent();
    void pegMarksDifferInShape();
    void emptyHolesDifferFromPegs();
};

void TestPictures::bundledAtTheirSizes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("doubled");
    for (const QString& peg : kPegs)
        QTest::newRow(qPrintable(peg)) << peg << QSize(40, 40) << true;
    QTest::newRow("imgBlack") << "imgBlack" << QSize(40, 40) << true;
    QTest::newRow("imgGrey") << "imgGrey" << QSize(40, 40) << true;
    QTest::newRow("imgX") << "imgX" << QSize(16, 16) << true;
    QTest::newRow("imgUndo") << "imgUndo" << QSize(16, 15) << true;
    QTest::newRow("imgRedo") << "imgRedo" << QSize(16, 15) << true;
    QTest::newRow("imgCheck") << "imgCheck" << QSize(32, 32) << true;
    QTest::newRow("SwirlPic") << "SwirlPic" << QSize(40, 40) << true;
    QTest::newRow("StonePic") << "StonePic" << QSize(40, 40) << true;
    QTest::newRow("IcePic") << "IcePic" << QSize(56, 56) << true;
    QTest::newRow("CocktailPic") << "CocktailPic" << QSize(80, 80) << true;
    for (const char* frame : {"imglogo1", "imglogo2", "imglogo3"})
        QTest::newRow(frame) << frame << QSize(96, 96) << true;
    QTest::newRow("AboutPic") << "AboutPic" << QSize(64, 64) << true;
    QTest::newRow("window icon") << "tintrix-256" << QSize(256, 256) << false;
}

void TestPictures::bundledAtTheirSizes()
{
    // Each picture loads under its store name at its pixel size; the sharp-screen copy is
    // exactly twice as large and really drawn finer, not the small one blown up.
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(bool, doubled);
    const QImage normal = Load(name + ".png");
    QVERIFY2(!normal.isNull(), qPrintable(name));
    QCOMPARE(normal.size(), size);
    if (!doubled)
        return;
    const QImage sharp = Load(name + "@2x.png");
    QVERIFY2(!sharp.isNull(), qPrintable(name + "@2x"));
    QCOMPARE(sharp.size(), size * 2);
    const QImage blownUp = normal.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QVERIFY(sharp != blownUp);
}

void TestPictures::holePicturesAreOpaque()
{
    // Pegs and styles fill their whole picture: nothing of the board shows through a hole.
    QStringList names = kPegs + kStyles;
    names << "imgBlack" << "imgGrey" << "imgX";
    for (const QString& name : names) {
        for (const QString& file : {name + ".png", name + "@2x.png"}) {
            const QImage image = Load(file);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    QVERIFY2(qAlpha(image.pixel(x, y)) == 255, qPrintable(QStringLiteral("%1 at %2,%3").arg(file).arg(x).arg(y)));
        }
    }
}

void TestPictures::pegColoursAreClearlyDifferent()
{
    // The middle of every peg, colour and feedback alike, differs clearly from every other.
    QStringList pegs = kPegs;
    pegs << "imgBlack" << "imgGrey";
    for (int i = 0; i < pegs.size(); ++i) {
        for (int j = i + 1; j < pegs.size(); ++j) {
            const double d = Distance(MeanColour(Load(pegs[i] + ".png"), 15), MeanColour(Load(pegs[j] + ".png"), 15));
            QVERIFY2(d > 60, qPrintable(QStringLiteral("%1 / %2: %3").arg(pegs[i], pegs[j]).arg(d)));
        }
    }
}

void TestPictures::pegMarksDifferInShape()
{
    // Seen without colour, each peg's mark is still unlike every other peg's mark.
    for (int i = 0; i < kPegs.size(); ++i) {
        for (int j = i + 1; j < kPegs.size(); ++j) {
            const double c = Correlation(MarkShape(Load(kPegs[i] + ".png")), MarkShape(Load(kPegs[j] + ".png")));
            QVERIFY2(c < 0.8, qPrintable(QStringLiteral("%1 / %2: %3").arg(kPegs[i], kPegs[j]).arg(c)));
        }
    }
}

void TestPictures::emptyHolesDifferFromPegs()
{
    // What a hole shows in every style is far from what it shows holding any peg: compare
    // the whole 25-pixel view, border to border.
    QStringList pegs = kPegs;
    pegs << "imgBlack" << "imgGrey";
    for (const QString& style : kStyles) {
        const auto empty = MeanColour(HoleView(Load(style + ".png")), 25);
        for (const QString& peg : pegs) {
            const auto full = MeanColour(HoleView(Load(peg + ".png")), 25);
            QVERIFY2(Distance(empty, full) > 50, qPrintable(QStringLiteral("%1 / %2").arg(style, peg)));
        }
    }
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
