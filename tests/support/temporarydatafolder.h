// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The program's data folder inside a temporary folder for as long as this
// lives: XDG_DATA_HOME and the application name are put back afterwards, so
// no test reads or writes the user's own files.
class TemporaryDataFolder {
  public:
    TemporaryDataFolder()
        : savedXdg_(qgetenv("XDG_DATA_HOME")), hadXdg_(qEnvironmentVariableIsSet("XDG_DATA_HOME")),
          savedName_(QCoreApplication::applicationName()) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(root_.path()));
        QCoreApplication::setApplicationName(QStringLiteral("korvane"));
    }
    ~TemporaryDataFolder() {
        // A test may leave the data folder read-only; the temporary folder
        // must still go.
        QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (hadXdg_)
            qputenv("XDG_DATA_HOME", savedXdg_);
        else
            qunsetenv("XDG_DATA_HOME");
        QCoreApplication::setApplicationName(savedName_);
    }
    TemporaryDataFolder(const TemporaryDataFolder&) = delete;
    TemporaryDataFolder& operator=(const TemporaryDataFolder&) = delete;

    // XDG_DATA_HOME, and the program's folder in it.
    QString root() const { return root_.path(); }
    QString folder() const { return root_.filePath(QStringLiteral("korvane")); }

  private:
    QTemporaryDir root_;
    QByteArray savedXdg_;
    bool hadXdg_;
    QString savedName_;
};
