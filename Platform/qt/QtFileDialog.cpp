#include "Platform/qt/QtFileDialog.h"

#include "Platform/qt/Activation.h"
#include "Platform/qt/ModalHost.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace platform {

QStringList qtNameFilters(const std::vector<FileFilter>& filters) {
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    for (const FileFilter& f : filters) {
        QStringList patterns;
        for (const QString& p :
             QString::fromStdString(f.pattern).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString t = p.trimmed();
            patterns << (t == QLatin1String("*.*") ? QStringLiteral("*") : t);
        }
        QString caption = QString::fromStdString(f.caption);
        caption.remove(trailingPatterns);
        result << caption.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                      QLatin1Char(')');
    }
    return result;
}

FileDialogAnswer QtFileDialogBackend::show(const FileDialogRequest& request) {
    QFileDialog dialog;
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!request.title.empty()) dialog.setWindowTitle(QString::fromStdString(request.title));
    const QStringList filters = qtNameFilters(request.filters);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.folder.empty()) dialog.setDirectory(QString::fromStdString(request.folder));
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));

    SystemDialogScope system;
    if (ModalHost::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return {true, dialog.selectedFiles().front().toStdString(), index < 0 ? request.filterIndex : index + 1};
}

} // namespace platform
