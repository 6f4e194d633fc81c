#pragma once

// The program: sets up the application and runs the main window until it closes.
int RunVellumax(int argc, char *argv[]);
