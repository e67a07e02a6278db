// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its title and version line come from the application, and OK closes it.
#include "TestSupport.h"
#include "frmAbout.h"

// Qt
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using tintrix::frmAbout;

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void showsTitleAndPicture();
    void versionLineHasThreeNumbers_data();
    void versionLineHasThreeNumbers();
    void okClosesIt();
};

void TestFrmAbout::initTestCase()
{
    tintrix::test::PrepareTestEnvironment();
}

void TestFrmAbout::cleanup()
{
    QCoreApplication::setApplicationVersion("1.2.0");
}

void TestFrmAbout::showsTitleAndPicture()
{
    // The window reads "About Tintrix", the title label the bare title, and the picture
    // is the program's own at its full size. The title is the game's, not the executable's
    // lower-case name that Qt knows the application by.
    QCoreApplication::setApplicationName("tintrix");
    QCoreApplication::setApplicationVersion("1.2.0");
    frmAbout about(nullptr);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Tintrix"));
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Tintrix"));
    QCOMPARE(about.lblVersion->text(), QStringLiteral("Version 1.2.0"));
    QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
    QVERIFY(!about.Image1->pixmap().isNull());
    QCOMPARE(about.Image1->pixmap().deviceIndependentSize().toSize(), QSize(64, 64));
    // Title and version are readable in full once laid out.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    for (QLabel* label : {about.lblTitle, about.lblVersion})
        QVERIFY(label->width() >= label->sizeHint().width());
}

void TestFrmAbout::versionLineHasThreeNumbers_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("line");
    QTest::newRow("this program") << "1.2.0" << "Version 1.2.0";
    QTest::newRow("revision missing") << "1.2" << "Version 1.2.0";
    QTest::newRow("major only") << "3" << "Version 3.0.0";
    QTest::newRow("leading zeros dropped") << "01.02.03" << "Version 1.2.3";
    QTest::newRow("two-digit parts") << "2.10.17" << "Version 2.10.17";
    QTest::newRow("suffix ignored") << "1.2.5-beta" << "Version 1.2.5";
    QTest::newRow("fourth part ignored") << "1.2.3.4" << "Version 1.2.3";
    QTest::newRow("no version set") << "" << "Version 0.0.0";
}

void TestFrmAbout::versionLineHasThreeNumbers()
{
    // major.minor.revision, each a plain decimal number.
    QFETCH(QString, version);
    QFETCH(QString, line);
    QCoreApplication::setApplicationVersion(version);
    frmAbout about(nullptr);
    QCOMPARE(about.lblVersion->text(), line);
}

void TestFrmAbout::okClosesIt()
{
    // Clicking OK ends the modal about box.
    frmAbout about(nullptr);
    QTimer::singleShot(0, this, [&] { QTest::mouseClick(about.cmdOK, Qt::LeftButton); });
    QTimer::singleShot(5000, &about, &QDialog::reject); // a failing click must not hang the run
    QCOMPARE(about.exec(), int(QDialog::Accepted));
}

QTEST_MAIN(TestFrmAbout)
#include "test_frmAbout.moc"
