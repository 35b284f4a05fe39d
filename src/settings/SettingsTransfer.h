#pragma once

class CDialog;

// "Save Settings..." and "Load Settings..." of the main window's system menu. Both run on the
// UI thread and block it for each exchange with the appliance; `owner` shows the messages.

// Reads every setting (with a progress window), then asks where to save the file (the
// platform's file dialog, a default name from the Bluetooth name and the date) and writes
// it atomically: a failed write leaves the file as it was. A query that fails or times out stops
// the save with a message naming the setting, and nothing is written.
void SaveSettings(CDialog& owner);

// Asks for a settings file, reads it, reads the appliance's settings and opens the load
// window with both; the window writes the backup into the user's data folder. A file that
// cannot be read is reported with the line at fault.
void LoadSettings(CDialog& owner);
