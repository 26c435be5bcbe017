// SPDX-License-Identifier: MIT
#pragma once

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace korvane {

// Icons and type names of the files a file dialog lists, told from their names
// alone. Qt's own provider names a regular file by its contents whenever the
// name is not enough, and opens it to read them: a file that blocks on read
// (/proc/kmsg, a pipe in a pseudo file system, a hung network share) then
// blocks the whole program while the dialog lists its folder, and reading
// /proc/kmsg even takes the lines away from the kernel log. This one opens
// nothing, so a dialog using it only ever looks at names and metadata.
class NameOnlyFileIconProvider : public QFileIconProvider {
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;

  private:
    QMimeDatabase mimes_;
};

} // namespace korvane
