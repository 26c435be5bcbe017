// SPDX-License-Identifier: MIT
// Qt's own texts are Chinese once the program installs Qt's translations, on
// a desktop of any language: standard buttons, the save dialog's headings,
// the print and page setup dialogs.
#include "qttranslations.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

class QtTranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // An English desktop: the texts must not follow the system's language.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(korvane::platform::installChineseQtTexts());
    }

    void standardButtons() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
    }

    // The columns of the save dialog's detail view, English before.
    void fileDialogHeadings() {
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(view != nullptr);
        QStringList headings;
        for (int column = 0; column < view->model()->columnCount(); ++column)
            headings << view->model()->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headings, QStringList({QStringLiteral("名称"), QStringLiteral("体积"),
                                        QStringLiteral("类型"), QStringLiteral("修改日期")}));
    }

    // The print preview's two dialogs.
    void printDialogTitles() {
        QPrinter printer;
        QCOMPARE(QPrintDialog(&printer).windowTitle(), QStringLiteral("打印"));
        QCOMPARE(QPageSetupDialog(&printer).windowTitle(), QStringLiteral("页面设置"));
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "qttranslations_test.moc"
