// SPDX-License-Identifier: MIT
// Every control of every page is whole and visible: nothing lies under the
// bottom bar, the selector buttons or the nested tab strip, and nothing
// reaches past the group box that holds it. A field cut at its lower edge is
// one the user cannot see the end of while typing in it.
#include "mainwindowfixture.h"
#include "pagedescriptor.h"
#include "visualstyle.h"

#include <QRegion>
#include <QtTest>

using korvane::PageDescriptor;

namespace {

QRect rectIn(const QWidget* widget, const QWidget* ancestor) {
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The part of `page` the user sees, in page coordinates: what its ancestors
// leave of it, less every visible widget stacked above it or above one of its
// ancestors (the bottom bar and its blank strip, the selector buttons).
QRegion visibleArea(const QWidget* page) {
    QRegion area(page->rect());
    const QWidget* window = page->window();
    for (const QWidget* inner = page; inner != window; inner = inner->parentWidget()) {
        const QWidget* parent = inner->parentWidget();
        const QPoint origin = page->mapFrom(parent, QPoint(0, 0));
        area &= QRegion(parent->rect().translated(origin));
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(inner) + 1; i < siblings.size(); ++i) {
            auto* above = qobject_cast<const QWidget*>(siblings[i]);
            if (above != nullptr && !above->isWindow() && above->isVisible())
                area -= QRegion(above->geometry().translated(origin));
        }
    }
    return area;
}

QString describe(const QRect& r) {
    return QStringLiteral("(%1, %2, %3 x %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class PageLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { korvane::VisualStyle::apply(); }

    void everyControlIsWholeAndVisible_data() { addEveryPage(); }
    void everyControlIsWholeAndVisible() {
        QFETCH(int, page);
        QFETCH(int, nested);
        MainWindowFixture f;
        QVERIFY(f.active);
        f.showPage(page, nested);
        QWidget* pageWidget = f.window.pageWidget(page, nested);
        QVERIFY(pageWidget->isVisible());
        const QRegion visible = visibleArea(pageWidget);

        QStringList faults;
        for (const korvane::ControlRow& row : korvane::pageDescriptor(page, nested)->controls) {
            const QString name = QString::fromUtf8(row.name);
            auto* control = pageWidget->findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QVERIFY2(control->isVisible(), qPrintable(name));
            const QRect rect = rectIn(control, pageWidget);
            // A control inside a group box is seen only as far as the box reaches.
            QRegion seen = visible;
            for (QWidget* holder = control->parentWidget(); holder != pageWidget;
                 holder = holder->parentWidget())
                seen &= QRegion(rectIn(holder, pageWidget));
            const QRegion hidden = QRegion(rect) - seen;
            if (!hidden.isEmpty())
                faults << QStringLiteral("%1 %2: %3 hidden")
                              .arg(name, describe(rect), describe(hidden.boundingRect()));
        }
        QVERIFY2(
            faults.isEmpty(),
            qPrintable(QStringLiteral("visible area %1; ").arg(describe(visible.boundingRect())) +
                       faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(PageLayoutTest)
#include "pagelayout_test.moc"
