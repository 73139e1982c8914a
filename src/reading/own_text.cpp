#include "reading/own_text.h"

#include "book/epub_book.h"
#include "book/xhtml_text.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "reading/chapterdialog.h"
#include "reading/text_file.h"

#include "platform/modal.h"
#include "shell/settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The folder of the last own text the user chose.
constexpr const char* kTextFolderKey = "TextFileFolder";
constexpr int kTextFolderBuffer = 4096;

} // namespace

namespace OwnTexts {

std::optional<QString> choosePath(QWidget* parent) {
    const QString cwd = QDir::currentPath();
    QFileDialog dialog(parent, QStringLiteral("Choose a text file to read"));
    // Qt's own dialog, so the modal seam (and the tests) get the real object.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(
        {QStringLiteral("Texts and Books (*.txt *.epub)"), QStringLiteral("All Files (*)")});
    // Where this user last found a text, else their home folder; never the
    // folder the program happened to be started from.
    const QString folder = Settings::userString(kTextFolderKey, "", kTextFolderBuffer);
    dialog.setDirectory(!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath());
    const int result = Modal::runModal(dialog);
    QDir::setCurrent(cwd);
    const QStringList chosen = dialog.selectedFiles();
    if (result != QDialog::Accepted || chosen.isEmpty() || chosen.first().isEmpty() ||
        QFileInfo(chosen.first()).isDir())
        return {};
    return QFileInfo(chosen.first()).absoluteFilePath();
}

void rememberFolder(const QString& path) {
    Settings::writeUserString(kTextFolderKey, QFileInfo(path).absolutePath());
}

std::optional<OwnText> readFile(QWidget* parent, const QString& path) {
    if (!isBookFile(path)) {
        TextFileResult read = readTextFile(path);
        if (read.error != TextFileError::None) {
            const TextFileProblem problem = textFileProblem(path, read.error);
            MessageBox(parent, problem.text, problem.caption, MB_OK);
            return {};
        }
        return OwnText{std::move(read.text), path, ReadingPlaces::keyOf(path, -1)};
    }
    BookResult read = readBook(path);
    if (read.error != BookError::None) {
        MessageBox(parent, bookProblem(path, read), QStringLiteral("Could not read book"), MB_OK);
        return {};
    }
    const std::optional<int> chosen = ChapterDialog::choose(parent, read.book);
    if (!chosen) return {};
    BookChapter& chapter = read.book.chapters[size_t(*chosen)];
    return OwnText{std::move(chapter.text), read.book.title + QStringLiteral(" - ") + chapter.title,
                   ReadingPlaces::keyOf(path, *chosen)};
}

std::optional<OwnText> paste(QWidget* parent) {
    const ClipboardText clip = clipboardText();
    QString text = clip.plain;
    if (text.trimmed().isEmpty() && !clip.html.isEmpty()) text = htmlToText(clip.html).text;
    text = unifyLineEnds(std::move(text));
    if (text.trimmed().isEmpty()) {
        MessageBox(parent, QStringLiteral("The clipboard holds no text."),
                   QStringLiteral("Paste Text"), MB_OK);
        return {};
    }
    return OwnText{text, QStringLiteral("Pasted text"), {}};
}

} // namespace OwnTexts
