#pragma once

#include <QString>

class QWidget;

namespace kavro::gui {

// The open and save file dialogs, behind an interface so tests can answer them.
// Both return an empty text when the user cancels.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // An existing file; the dialog starts at `proposal` (the current file).
    virtual QString openFileName(QWidget* parent, const QString& proposal) = 0;
    // A file to write, with the overwrite question; the dialog starts at `proposal`.
    virtual QString saveFileName(QWidget* parent, const QString& proposal) = 0;
};

// Cancels every dialog: for pictures, benchmarks and tests where nothing opens or saves a file.
class NoFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* parent, const QString& proposal) override;
    QString saveFileName(QWidget* parent, const QString& proposal) override;
};

// The file-type filter of string 1910 ("Data File (*.IRD)|*.IRD|All files (*.*)|*.*||") in
// Qt's form, matching the extension in either case.
QString dataFileFilter();

}  // namespace kavro::gui
