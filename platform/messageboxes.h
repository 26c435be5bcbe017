// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace korvane::platform {

// Every message the program shows goes through the installed MessageBoxes, so
// that tests can put a recording one in place and never wait on a modal box.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;

    // Information icon, OK button.
    virtual void information(const QString& text) = 0;
    // Question icon, Yes/No buttons; true for Yes.
    virtual bool question(const QString& text) = 0;
    // Question icon, Yes/No/Cancel buttons: for a question that can also take
    // the user back to what they were doing.
    enum class Choice { Yes, No, Cancel };
    virtual Choice questionWithCancel(const QString& text) = 0;
    // Exclamation icon, OK button.
    virtual void warning(const QString& text) = 0;
    // No icon, OK button: a plain note such as what was just copied.
    virtual void plain(const QString& text) = 0;
    // Error (stop) icon, OK button, under its own title: something the user
    // asked for was not done.
    virtual void error(const QString& title, const QString& text) = 0;

    // The installed boxes; the Qt message boxes unless something else was installed.
    static MessageBoxes& current();
    // Installs `boxes` (nullptr: the Qt message boxes again) and returns the one it replaces.
    static MessageBoxes* install(MessageBoxes* boxes);
};

} // namespace korvane::platform
