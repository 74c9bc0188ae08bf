#pragma once

class QApplication;

// What every program of ours does first, before its QApplication exists.
void PrepareProcess();

// What every program of ours does once its QApplication exists (the demo, the screenshot
// tool, the window tests): names and version, fonts and the widget style.
void InitializeApplication(QApplication& app);
