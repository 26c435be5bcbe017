// SPDX-License-Identifier: MIT
#pragma once

#include "messageboxes.h"

#include <QList>
#include <QString>

namespace korvane::platform {

// Message boxes for tests: installs itself for its lifetime, records every
// message instead of showing it and answers questions from a script.
class RecordingMessageBoxes : public MessageBoxes {
  public:
    enum class Kind { Information, Question, QuestionWithCancel, Warning, Plain, Error };
    struct Message {
        Kind kind;
        QString text;
        QString title = {}; // error messages only
    };

    RecordingMessageBoxes();
    ~RecordingMessageBoxes() override;
    RecordingMessageBoxes(const RecordingMessageBoxes&) = delete;
    RecordingMessageBoxes& operator=(const RecordingMessageBoxes&) = delete;

    // Answers for the coming questions, first in first used; when none is left
    // the default answer is given.
    void queueAnswers(const QList<bool>& answers) { answers_ += answers; }
    void setDefaultAnswer(bool yes) { defaultAnswer_ = yes; }
    // The same for the questions that can be cancelled; when none is left
    // they are cancelled.
    void queueChoices(const QList<Choice>& choices) { choices_ += choices; }

    const QList<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

    void information(const QString& text) override;
    bool question(const QString& text) override;
    Choice questionWithCancel(const QString& text) override;
    void warning(const QString& text) override;
    void plain(const QString& text) override;
    void error(const QString& title, const QString& text) override;

  private:
    MessageBoxes* previous_ = nullptr;
    QList<Message> messages_;
    QList<bool> answers_;
    QList<Choice> choices_;
    bool defaultAnswer_ = false;
};

} // namespace korvane::platform
