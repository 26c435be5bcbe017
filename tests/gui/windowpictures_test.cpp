// SPDX-License-Identifier: MIT
// The window's pictures are PNGs made for each screen scale. A picture missing
// at one scale, or made at another size than the window shows it, would leave
// a blank or blurred picture on screens of that scale only.
#include "mainwindow.h"
#include "pagedescriptor.h"
#include "picturebutton.h"
#include "scaledpicture.h"
#include "selectorbutton.h"

#include <QPixmap>
#include <QtTest>

#include <cmath>

using korvane::ScaledPicture;

class WindowPicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyPictureAtEveryScaleAtTheSizeShown_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("shown");
        korvane::MainWindow window;
        QSet<QString> seen;
        auto add = [&](const QString& name, QSize shown) {
            if (!seen.contains(name)) {
                seen.insert(name);
                QTest::newRow(qPrintable(name)) << name << shown;
            }
        };
        for (const auto* button : window.findChildren<korvane::SelectorButton*>()) {
            add(korvane::SelectorButton::pictureName(false, button->size()), button->size());
            add(korvane::SelectorButton::pictureName(true, button->size()), button->size());
        }
        for (const auto* picture : window.findChildren<korvane::PictureButton*>())
            add(picture->picture(), picture->size());
        // Pages are built when first shown: their sketches come from the rows.
        for (const korvane::PageDescriptor& page : korvane::pageDescriptors())
            for (const korvane::ControlRow& row : page.controls)
                if (row.kind == korvane::ControlKind::Sketch)
                    add(QString::fromUtf8(row.text), row.rect.size());
        // 13 selector buttons in two widths, the calculator picture, 11 sketches.
        QCOMPARE(seen.size(), 16);
    }
    void everyPictureAtEveryScaleAtTheSizeShown() {
        QFETCH(QString, name);
        QFETCH(QSize, shown);
        for (double scale : ScaledPicture::kScales) {
            const QPixmap pixmap = ScaledPicture::stored(name, scale);
            const QString file = ScaledPicture::fileName(name, scale);
            QVERIFY2(!pixmap.isNull(), qPrintable(file + " is missing"));
            QCOMPARE(pixmap.devicePixelRatio(), scale);
            // Within a pixel: drawn as it is, never rescaled.
            QVERIFY2(std::abs(pixmap.width() - shown.width() * scale) < 1 &&
                         std::abs(pixmap.height() - shown.height() * scale) < 1,
                     qPrintable(QStringLiteral("%1 is %2x%3")
                                    .arg(file)
                                    .arg(pixmap.width())
                                    .arg(pixmap.height())));
        }
    }

    // A smaller picture blown up would blur; a larger one is smoothed down.
    void aScreenGetsThePictureOfTheNextScaleUp_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("scale");
        QTest::newRow("100%") << 1.0 << 1.0;
        QTest::newRow("110%") << 1.1 << 1.25;
        QTest::newRow("125%") << 1.25 << 1.25;
        QTest::newRow("140%") << 1.4 << 1.5;
        QTest::newRow("175%") << 1.75 << 2.0;
        QTest::newRow("300%") << 3.0 << 2.0;
    }
    void aScreenGetsThePictureOfTheNextScaleUp() {
        QFETCH(double, ratio);
        QFETCH(double, scale);
        QCOMPARE(
            ScaledPicture::stored(QStringLiteral(":/sketches/channel"), ratio).devicePixelRatio(),
            scale);
    }
};

QTEST_MAIN(WindowPicturesTest)
#include "windowpictures_test.moc"
