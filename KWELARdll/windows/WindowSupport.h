#pragma once
//! Small helpers shared by the windows of the property library.

#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QKeySequence>
#include <QString>

#include <string>

namespace kwelar {

//! A text of the model (UTF-8) for a widget.
inline QString qText(const std::string& s) {
    return QString::fromStdString(s);
}

//! A widget's text for the model (UTF-8).
inline std::string modelText(const QString& s) {
    return s.toStdString();
}

//! Takes the key by which a dialog closes itself without its buttons (Escape) and does
//! nothing with it: the windows that hold typed work would throw that work away. Returns
//! whether the key was taken; any other key is left to the dialog.
inline bool ignoreCancelKey(QKeyEvent& key) {
    if (!key.matches(QKeySequence::Cancel)) return false;
    key.accept();
    return true;
}

//! The fixed-pitch font of the substance lists (9.75 pt), so that their columns line up.
inline QFont listFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Courier New")});
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(9.75);
    return font;
}

} // namespace kwelar
