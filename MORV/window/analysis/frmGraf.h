#pragma once
//! The chart of one result of the sensitivity analysis over the varied quantity. The whole
//! window is the drawing surface; it redraws when resized. A click or a key closes it and
//! preselects the next result in the choice window; Ctrl+C copies the picture to the
//! clipboard and keeps the window open.

#include "MORV/window/analysis/GrafXY.h"
#include "MorvWindow/MorvWindowExport.h"
#include "Platform/qt/ImageSurface.h"

#include <QDialog>

#include <memory>

namespace morv {

class ProgramState;
class frmPreGraf;

class MORVWINDOW_EXPORT frmGraf : public QDialog {
    Q_OBJECT
public:
    //! Ctrl in the shift state of a key-down.
    static constexpr int CtrlMask = 2;

    frmGraf(frmPreGraf& choice, ProgramState& state);

    //! Each activation: a new chart of the chosen result, drawn, then the resize step.
    void Form_Activate();
    //! Every resize but the first redraws the chart on a cleared picture, unless the chart
    //! was refused.
    void Form_Resize();
    //! A click: the next chart.
    void Form_Click();
    //! Ctrl+C (key code 67 with the Ctrl bit): the picture on the clipboard.
    void Form_KeyDown(int KeyCode, int Shift);
    //! Any typed key but Ctrl+C (code 3): the next chart.
    void Form_KeyPress(int KeyAscii);

    platform::ImageSurface& surface() { return m_surface; }
    //! The chart of the last activation (none before the first).
    GrafXY* chart() { return m_chart.get(); }
    //! Resize events seen so far.
    int resizes() const { return m_resizes; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawChart();
    //! Preselects the next result in the choice window and hides the chart.
    void nextChart();

    frmPreGraf& m_choice;
    ProgramState& m_state;
    platform::ImageSurface m_surface;
    std::unique_ptr<GrafXY> m_chart;
    //! The chart of this activation was refused with its message: nothing to redraw.
    bool m_refused = false;
    int m_resizes = 0;
};

} // namespace morv
