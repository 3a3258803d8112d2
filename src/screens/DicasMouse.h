#pragma once

// Mouse-over hints in the status bar of the results screens. A control's hint is its statusTip.

#include <QString>

class QWidget;
class Tela;

// The hint shown for the pointer over the control: its own, else that of the nearest enclosing
// control that has one (over the bare window, the screen's own); empty when none has one.
QString DicaDe(const QWidget* controle);

// From now on, while the screen is the program's active screen, its status bar shows the hint of
// the control under the mouse pointer, and is emptied while the pointer is over no window of the
// program. One watcher serves every screen registered here.
void MostrarDicasDoMouse(Tela* tela);
