// SPDX-License-Identifier: MIT
#include "qtmessageboxes.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace korvane::platform {

namespace {
QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                const QString& title = QtMessageBoxes::title()) {
    // No owner: the box is application modal, so that it blocks every window
    // of the program (the report and About windows too) until it is answered.
    QMessageBox box(icon, title, text, buttons);
    box.setWindowModality(Qt::ApplicationModal);
    // The buttons speak the program's language whatever Qt translations are installed.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(QStringLiteral("确定"));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("是(&Y)"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("否(&N)"));
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(QStringLiteral("取消"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
} // namespace

QString QtMessageBoxes::title() {
    return QStringLiteral("信息：");
}

void QtMessageBoxes::information(const QString& text) {
    ask(QMessageBox::Information, text, QMessageBox::Ok);
}

bool QtMessageBoxes::question(const QString& text) {
    return ask(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

MessageBoxes::Choice QtMessageBoxes::questionWithCancel(const QString& text) {
    // Esc and the close box answer Cancel.
    switch (ask(QMessageBox::Question, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Choice::Yes;
    case QMessageBox::No:
        return Choice::No;
    default:
        return Choice::Cancel;
    }
}

void QtMessageBoxes::warning(const QString& text) {
    ask(QMessageBox::Warning, text, QMessageBox::Ok);
}

void QtMessageBoxes::plain(const QString& text) {
    ask(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void QtMessageBoxes::error(const QString& title, const QString& text) {
    ask(QMessageBox::Critical, text, QMessageBox::Ok, title);
}

} // namespace korvane::platform
