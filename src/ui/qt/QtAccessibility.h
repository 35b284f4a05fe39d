#pragma once

// The accessible interfaces Qt's own do not get right for our widgets, put in front of Qt's
// for screen readers and UI automation (AT-SPI on Linux):
// - dialog windows answer as "dialog" (a page inside a control as a panel), not as a plain
//   widget;
// - check boxes and radio buttons answer with their kind, whatever Qt's exclusivity flag
//   says, and their press or toggle action clicks them as a person does (the control then
//   decides the check state and notifies);
// - a combo box answers with the name of its label, keeps its entry as the value and, for a
//   drop-down list, as its text; its list shows the entry as the selected item (kept in
//   step by the renderer's peer).
// Installs once per process; call on the UI thread after the QApplication is made.
void InstallAccessibleInterfaces();
