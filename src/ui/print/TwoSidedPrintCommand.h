#pragma once

struct PrintCommandContext;

// The print command's part for a card with a back side, after the print dialog: asks how the back
// is printed (the choice is kept in the settings file for the next time and for the command line),
// then prints both sides or the fronts alone. With hand feeding, the user is asked to turn the
// printed sheets over before the backs are printed, and may stop there. Cancelling the question
// prints nothing.
void PrintBothSides(const PrintCommandContext &context);
