#pragma once

#include <QObject>

// Qt keeps the accelerators of a tool window's parent working while the tool
// window is active (floating palettes work that way). The constants dialog,
// the start and the end window are tool windows of the main window and share
// letters with it (Alt+S, Alt+A, Alt+D, Alt+O, Alt+B), so such a key would
// be ambiguous and only move the focus. Installed on the application, this
// filter gives an ambiguous accelerator to the one control of the active
// window that carries it.
class ActiveWindowAccelerators : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
