#pragma once

// The batch front end: reads the command line, and for --export, --pdf or --print opens the card
// and does the one thing asked, on Qt's offscreen platform unless another is named, with no window
// or message box. Errors go to standard error, naming the file or option at fault; returns the
// exit status, 0 for success and 1 for any failure. --help and --version print on standard output
// without starting the graphics at all.
int RunBatch(int argc, char *argv[]);
