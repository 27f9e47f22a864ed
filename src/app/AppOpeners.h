#pragma once

class TfrmMain;

// Connects the main window's menu items to the windows of every subsystem: the one
// place that knows which window each item opens.
void WireOpeners(TfrmMain &main);
