#include "MORV/window/analysis/frmGraf.h"

#include "MORV/model/ProgramState.h"
#include "MORV/window/analysis/frmPreGraf.h"
#include "Platform/MessageBox.h"
#include "Platform/qt/Activation.h"
#include "Platform/qt/Keys.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

namespace morv {

namespace {

//! The picture of a new window [pixels].
constexpr int StartWidth = 640;
constexpr int StartHeight = 480;
//! Key code of C and the character that Ctrl+C types.
constexpr int KeyC = 67;
constexpr int CtrlC = 3;

} // namespace

frmGraf::frmGraf(frmPreGraf& choice, ProgramState& state)
    : QDialog(&choice), m_choice(choice), m_state(state), m_surface(StartWidth, StartHeight) {
    setObjectName(QStringLiteral("frmGraf"));
    setWindowTitle(QStringLiteral(" HE - Analýza citlivosti    ( Ctrl C  obrázek zkopírujete do schránky)"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_surface.setChangeHandler([this] { update(); });
    // The size arrives as the first resize when the window is first shown.
    resize(StartWidth, StartHeight);
    new platform::ActivationWatcher(*this, [this] { Form_Activate(); });
}

void frmGraf::Form_Activate() {
    m_chart = std::make_unique<GrafXY>();
    const int16_t n = m_state.AnalPocBodu;
    const int16_t v = m_state.GrafVelicina;
    if (v >= 0 && v <= 6) m_chart->Add(m_state.AnalX, m_state.AnalY[size_t(v)], 1, n);
    m_chart->PopisX = m_state.AnalHotovaNazev;
    m_chart->PopisY = m_state.GrafPopis;
    m_chart->Body(1, 1);
    m_chart->SilaCar(2);
    m_refused = false;
    drawChart();
    Form_Resize();
}

void frmGraf::drawChart() {
    // An analysis without points has no range on either axis.
    if (m_state.AnalPocBodu <= 0) {
        platform::msgBox("Rozsah osy X nebo Y je nulový!", 16, "GrafXY");
        m_refused = true;
    } else {
        m_refused = !m_chart->Draw(m_surface);
    }
    // A refused chart leaves the window empty, not showing the chart before it.
    if (m_refused) m_surface.clear();
}

void frmGraf::Form_Resize() {
    // A refused chart has said why once; a resize does not say it again.
    if (m_resizes > 0 && m_chart && !m_refused) {
        m_surface.clear();
        drawChart();
    }
    ++m_resizes;
}

void frmGraf::Form_Click() {
    nextChart();
}

void frmGraf::Form_KeyDown(int KeyCode, int Shift) {
    if (KeyCode == KeyC && (Shift & CtrlMask) != 0) GrafXY::Do_schranky(m_surface);
}

void frmGraf::Form_KeyPress(int KeyAscii) {
    if (KeyAscii != CtrlC) nextChart();
}

void frmGraf::nextChart() {
    const int16_t v = m_state.GrafVelicina;
    // The options form one group: choosing the next clears the current one.
    if (v >= 0 && v < 6) m_choice.optAn[size_t(v + 1)]->setChecked(true);
    accept();
}

void frmGraf::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}

void frmGraf::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_surface.resize(width(), height());
    Form_Resize();
}

void frmGraf::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) |
                      (modifiers & Qt::ControlModifier ? CtrlMask : 0) |
                      (modifiers & Qt::AltModifier ? 4 : 0);
    const int key = event->key();
    Form_KeyDown(key, shift);
    // The character the key types: Ctrl with a letter types its control code (Ctrl+C is 3);
    // Ctrl, Shift and the other keys that type nothing do not count as a key press.
    int ascii = platform::keyAscii(*event);
    if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        ascii = key - Qt::Key_A + 1;
    if (ascii != 0) Form_KeyPress(ascii);
}

void frmGraf::mouseReleaseEvent(QMouseEvent* event) {
    QDialog::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Form_Click();
}

} // namespace morv
