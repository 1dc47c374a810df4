#include "KWELARdll/windows/DataEditorHost.h"

#include "KWELARdll/model/Smes.h"
#include "KWELARdll/windows/frmOprav.h"
#include "Platform/qt/Keys.h"
#include "Platform/qt/ModalHost.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace kwelar {

namespace {

QString control(const char* name, int index) {
    return QString::fromStdString(editor::control(name, index));
}

} // namespace

DataEditorHost::DataEditorHost(Smes& owner) : m_owner(owner), mOprDoc(std::make_unique<frmOprav>()) {
    frmOprav* w = mOprDoc.get();
    QObject::connect(w, &frmOprav::ZavriOD, w, [this](qint16 Ind) { m_owner.mOprDoc_ZavriOD(Ind); });
    QObject::connect(w, &frmOprav::StornoOD, w, [this] { m_owner.mOprDoc_StornoOD(); });
    QObject::connect(w, &frmOprav::ZapisOD, w, [this](qint16 Ind) { m_owner.mOprDoc_ZapisOD(Ind); });
    QObject::connect(w, &frmOprav::TipVztah, w, [this](qint16 i) { mOprDoc_TipVztah(i); });
    QObject::connect(w, &frmOprav::SelOD, w, [this](qint16 i) { mOprDoc_SelOD(i); });
    QObject::connect(w, &frmOprav::RetOD, w, [this](qint16 i, qint16 key) { mOprDoc_RetOD(i, key); });
}

DataEditorHost::~DataEditorHost() = default;

void DataEditorHost::showEditor(const EditorForm& form) {
    frmOprav& w = *mOprDoc;
    w.setWindowTitle(QString::fromStdString(form.caption));
    for (const auto& [name, text] : form.texts) {
        QWidget* control = w.findChild<QWidget*>(QString::fromStdString(name));
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(QString::fromStdString(text));
            edit->setCursorPosition(0);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(QString::fromStdString(text));
        }
    }
    for (const auto& [name, tip] : form.toolTips)
        if (QWidget* control = w.findChild<QWidget*>(QString::fromStdString(name)))
            control->setToolTip(QString::fromStdString(tip));
    w.SSTab1()->setCurrentIndex(0);
    w.findChild<QPushButton*>("cmdZapis")->setEnabled(true);
    m_filled = true;
    platform::ModalHost::exec(w);
}

std::optional<EditorTexts> DataEditorHost::editorTexts() const {
    if (!m_filled) return std::nullopt;
    EditorTexts texts;
    for (const QLineEdit* edit : mOprDoc->findChildren<QLineEdit*>())
        texts[edit->objectName().toStdString()] = edit->text().toStdString();
    return texts;
}

void DataEditorHost::hideEditor() {
    mOprDoc->hide();
}

void DataEditorHost::selectEditorBox(const std::string& name) {
    QLineEdit* edit = mOprDoc->box(QString::fromStdString(name));
    if (!edit) return;
    QTabWidget* tabs = mOprDoc->SSTab1();
    for (int t = 0; t < tabs->count(); ++t)
        if (tabs->widget(t)->isAncestorOf(edit)) tabs->setCurrentIndex(t);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void DataEditorHost::mOprDoc_TipVztah(qint16 i) {
    QLineEdit* type = mOprDoc->box(control("Text3", i));
    type->setToolTip(
        QString::fromStdString(m_owner.Vztah(editor::leadingInteger(type->text().toStdString()))));
}

void DataEditorHost::mOprDoc_SelOD(qint16 i) {
    mOprDoc->box(control("txtRozv", i))->selectAll();
}

void DataEditorHost::mOprDoc_RetOD(qint16 i, qint16 KeyAscii) {
    if (KeyAscii != platform::key::Enter) return;
    const int t = mOprDoc->SSTab1()->currentIndex();
    QLineEdit* constant = mOprDoc->box(control("txtRozv", i));
    QString text = constant->text();
    const qsizetype comma = text.indexOf(',');
    if (comma >= 0) {
        text[comma] = '.';
        constant->setText(text);
    }
    if (t < 1 || t >= editor::TabCount) return;
    const int last = editor::ConstantsPerCorrelation * (editor::FirstCorrelationOfTab[t + 1] - 1) - 1;
    if (i < last) {
        QLineEdit* next = mOprDoc->box(control("txtRozv", i + 1));
        next->setFocus(Qt::OtherFocusReason);
        next->selectAll();
    } else {
        mOprDoc->box(control("Text3", editor::FirstCorrelationOfTab[t] - 1))->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace kwelar
