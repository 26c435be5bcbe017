// SPDX-License-Identifier: MIT
#include "aboutwindow.h"
#include "applicationshell.h"
#include "developercontact.h"
#include "developerpage.h"
#include "introductiontext.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "picturebox.h"
#include "productshowcase.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using korvane::AboutWindow;
using korvane::ApplicationShell;
using korvane::DeveloperPage;
using korvane::MainWindow;
using korvane::PictureBox;
using korvane::ProductShowcase;
using namespace std::chrono_literals;

namespace {
int runningTimers(const QObject* root) {
    int running = 0;
    for (const QTimer* timer : root->findChildren<QTimer*>())
        running += timer->isActive() ? 1 : 0;
    return running;
}

QList<int> markedButtons(const ProductShowcase* showcase) {
    QList<int> marked;
    for (int k = 1; k <= ProductShowcase::kPictureCount; ++k)
        if (!showcase->jumpButton(k)->icon().isNull())
            marked.append(k);
    return marked;
}

void moveOver(QWidget* widget) {
    const QPoint centre = widget->rect().center();
    QMouseEvent move(QEvent::MouseMove, centre, widget->mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// An application shell attached to a shown main window.
struct ShellFixture {
    ShellFixture() : shell(folder.filePath(QStringLiteral("instance"))) {
        shell.attach(&window);
        window.move(40, 30);
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    AboutWindow* openAbout() {
        window.mainMenu()->about()->trigger();
        return shell.aboutWindow();
    }
    QPoint dockedPlace() const { return window.frameGeometry().topLeft() + QPoint(0, 178); }

    QTemporaryDir folder;
    ApplicationShell shell;
    MainWindow window;
    bool exposed = false;
};
} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void picturePlacement_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QRect>("placed");
        // Shrunk to the box's height, the width cut to whole pixels.
        QTest::newRow("showcase 566x369 in 561x365")
            << QSize(566, 369) << QSize(561, 365) << QRect(1, 0, 559, 365);
        // Shrunk to the box's width: 519 * 104 / 521 = 103.6 is cut to 103.
        QTest::newRow("contact 521x519 in 104x104")
            << QSize(521, 519) << QSize(104, 104) << QRect(0, 0, 104, 103);
        QTest::newRow("marker 14x14 in 16x16 is not enlarged")
            << QSize(14, 14) << QSize(16, 16) << QRect(1, 1, 14, 14);
        QTest::newRow("tall 100x400 in 50x50")
            << QSize(100, 400) << QSize(50, 50) << QRect(19, 0, 12, 50);
        QTest::newRow("exact fit 561x365")
            << QSize(561, 365) << QSize(561, 365) << QRect(0, 0, 561, 365);
    }
    void picturePlacement() {
        QFETCH(QSize, picture);
        QFETCH(QSize, box);
        QFETCH(QRect, placed);
        QCOMPARE(PictureBox::placement(picture, box), placed);
    }

    void pictures_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        for (int k = 1; k <= ProductShowcase::kPictureCount; ++k)
            QTest::addRow("showcase-%d", k)
                << QStringLiteral(":/about/showcase-%1.jpg").arg(k) << QSize(566, 369);
        QTest::newRow("marker") << ":/about/marker.jpg" << QSize(14, 14);
        QTest::newRow("contact") << ":/about/contact.jpg" << QSize(521, 519);
    }
    void pictures() {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        AboutWindow window(QString{}); // links the window's pictures in
        QImageReader reader(resource);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), size);
        QVERIFY(!reader.read().isNull());
    }

    // A distributor changing the account must change the link, and the QR code
    // must be made again from it.
    void contactCodeReadsBackAsTheChatLink() {
        const QString link = QString::fromUtf8(korvane::developer::kChatLink);
        QVERIFY(link.contains(QString::fromUtf8(korvane::developer::kChatAccount)));
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("contact.jpg"));
        AboutWindow window(QString{});
        QVERIFY(QFile::copy(QStringLiteral(":/about/contact.jpg"), file));
        QProcess process;
        process.start(zbarimg, {QStringLiteral("-q"), QStringLiteral("--raw"), file});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).trimmed(), link);
    }

    void rotationRunsThroughAllPicturesOnOneTimer() {
        AboutWindow window(QString{});
        ProductShowcase* showcase = window.showcase();
        QCOMPARE(showcase->picture(), 1);
        QCOMPARE(markedButtons(showcase), QList<int>());
        QCOMPARE(runningTimers(&window), 1);

        struct Step {
            int picture;
            QList<int> marked;
            int timers;
        };
        QList<Step> steps;
        connect(showcase, &ProductShowcase::pictureShown, this, [&](int k) {
            steps.append({showcase->picture(), markedButtons(showcase), runningTimers(&window)});
            QCOMPARE(k, showcase->picture());
        });
        // The pictures keep rotating behind another page.
        window.tabs()->setCurrentIndex(AboutWindow::kIntroductionPage);
        showcase->setInterval(20ms);
        QTRY_VERIFY_WITH_TIMEOUT(steps.size() >= 6, 5000);
        for (int i = 0; i < 6; ++i) {
            const int expected = i % ProductShowcase::kPictureCount + 1;
            QCOMPARE(steps[i].picture, expected);
            QCOMPARE(steps[i].marked, QList<int>{expected});
            QCOMPARE(steps[i].timers, 1);
        }
    }

    // A click shows its picture at once; the next follows one whole interval
    // after the last click.
    void jumpButtonRestartsTheWait_data() {
        QTest::addColumn<QList<int>>("clickTimes");
        QTest::newRow("one click") << QList<int>{0};
        QTest::newRow("second click 400 ms later") << QList<int>{0, 400};
    }
    void jumpButtonRestartsTheWait() {
        QFETCH(QList<int>, clickTimes);
        constexpr int interval = 600;
        AboutWindow window(QString{});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ProductShowcase* showcase = window.showcase();
        showcase->setInterval(std::chrono::milliseconds(interval));
        QElapsedTimer sinceLastClick;
        int previous = 0;
        for (int at : clickTimes) {
            QTest::qWait(at - previous);
            previous = at;
            QTest::mouseClick(showcase->jumpButton(3), Qt::LeftButton);
            sinceLastClick.start();
            QCOMPARE(showcase->picture(), 3);
            QCOMPARE(markedButtons(showcase), QList<int>{3});
            QCOMPARE(runningTimers(&window), 1);
        }
        QTRY_COMPARE_WITH_TIMEOUT(showcase->picture(), 4, 5000);
        QVERIFY2(sinceLastClick.elapsed() >= interval * 9 / 10,
                 qPrintable(QString::number(sinceLastClick.elapsed())));
        QCOMPARE(markedButtons(showcase), QList<int>{4});
    }

    void developerLabelsFollowThePointer() {
        AboutWindow window(QString{});
        DeveloperPage* page = window.developerPage();
        QStringList opened;
        page->setChatOpener([&](const QString& link) { opened.append(link); });
        window.tabs()->setCurrentIndex(AboutWindow::kDeveloperPage);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLabel* account = page->chatAccount();
        QLabel* hint = page->scanHint();
        QCOMPARE(account->text(), QString::fromUtf8(korvane::developer::kChatAccount));

        struct Step {
            QWidget* over;
            QColor account;
            QColor hint;
        };
        const QColor green = DeveloperPage::kLabelColour, red = DeveloperPage::kHoverColour,
                     black = DeveloperPage::kScanHintColour;
        const QList<Step> steps{{account, red, black},
                                {page, green, black},
                                {hint, green, red},
                                {account, red, red},
                                {page, green, black}};
        for (const Step& step : steps) {
            moveOver(step.over);
            QCOMPARE(korvane::textColour(account), step.account);
            QCOMPARE(korvane::textColour(hint), step.hint);
        }

        QTest::mousePress(account, Qt::RightButton);
        QCOMPARE(opened, QStringList());
        QTest::mousePress(account, Qt::LeftButton);
        QCOMPARE(opened, QStringList{QString::fromUtf8(korvane::developer::kChatLink)});
    }

    void developerTextsFitTheirLabels() {
        AboutWindow window(QString{});
        for (const QLabel* label : window.developerPage()->findChildren<QLabel*>()) {
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->objectName()));
            QVERIFY2(window.developerPage()->rect().contains(label->geometry()),
                     qPrintable(label->objectName()));
        }
    }

    // The introduction keeps its sections in order, each with all its points.
    void introductionHasEverySection() {
        const QString text = korvane::introductionText(QStringLiteral("https://example.org/"));
        QVERIFY(text.startsWith(QStringLiteral("欢迎使用《Korvane2019版》\n")));
        const QStringList lines = text.split(u'\n');
        QVERIFY(lines[1].contains(QString::fromUtf8(korvane::developer::kName)));
        QVERIFY(lines[1].contains(QStringLiteral("3.60")));
        QVERIFY(lines[1].contains(QStringLiteral("2019年10月30日")));

        const QList<std::pair<QString, int>> sections{{QStringLiteral("★有以下特点："), 8},
                                                      {QStringLiteral("★注意事项："), 6},
                                                      {QStringLiteral("★版权声明："), 0}};
        int at = 0;
        for (const auto& [heading, points] : sections) {
            at = lines.indexOf(heading, at);
            QVERIFY2(at > 0, qPrintable(heading));
            for (int i = 1; i <= points; ++i)
                QVERIFY2(lines.value(at + i).startsWith(QStringLiteral("%1、").arg(i)),
                         qPrintable(heading + QString::number(i)));
            QVERIFY(
                !lines.value(at + points + 1).startsWith(QStringLiteral("%1、").arg(points + 1)));
        }
        QVERIFY(text.contains(QStringLiteral("https://example.org/")));
        QVERIFY(text.contains(QStringLiteral("“Esc键”隐藏主窗口，“F1键”显示主窗口")));
        QVERIFY(text.contains(QStringLiteral("3*6=18")));
    }

    void followsTheMainWindowUnlessOnTop() {
        ShellFixture fixture;
        QVERIFY(fixture.exposed);
        AboutWindow* about = fixture.openAbout();
        QVERIFY(about != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->parentWidget(), nullptr);
        QTRY_COMPARE(about->pos(), fixture.dockedPlace());

        fixture.window.move(200, 120);
        QTRY_COMPARE(about->pos(), fixture.dockedPlace());

        about->onTopBox()->click();
        QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QPoint kept = about->pos();
        fixture.window.move(90, 60);
        QTRY_COMPARE(fixture.window.pos(), QPoint(90, 60));
        QTest::qWait(50);
        QCOMPARE(about->pos(), kept);

        about->onTopBox()->click();
        QVERIFY(!about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        fixture.window.move(150, 80);
        QTRY_COMPARE(about->pos(), fixture.dockedPlace());
    }

    void reopenStartsAfresh() {
        ShellFixture fixture;
        QVERIFY(fixture.exposed);
        QPointer<AboutWindow> first = fixture.openAbout();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QTest::mouseClick(first->showcase()->jumpButton(3), Qt::LeftButton);
        first->onTopBox()->click();
        first->tabs()->setCurrentIndex(AboutWindow::kIntroductionPage);
        first->close();
        QTRY_VERIFY(first.isNull());
        QCOMPARE(fixture.shell.aboutWindow(), nullptr);

        AboutWindow* again = fixture.openAbout();
        QVERIFY(again != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(again));
        QCOMPARE(again->windowTitle(), QStringLiteral("关于"));
        QCOMPARE(again->tabs()->currentIndex(), AboutWindow::kShowcasePage);
        QCOMPARE(again->showcase()->picture(), 1);
        QCOMPARE(markedButtons(again->showcase()), QList<int>());
        QVERIFY(!again->onTopBox()->isChecked());
        QVERIFY(!again->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(runningTimers(again), 1);
        for (int k = 1; k <= ProductShowcase::kPictureCount; ++k)
            QVERIFY(again->showcase()->jumpButton(k)->text().isEmpty());
        QTRY_COMPARE(again->pos(), fixture.dockedPlace());
        // A second "关于" while it is open brings up the same window.
        QCOMPARE(fixture.openAbout(), again);
    }
};

QTEST_MAIN(AboutWindowTest)
#include "aboutwindow_test.moc"
