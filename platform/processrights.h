// SPDX-License-Identifier: MIT
#pragma once

// What the program does before anything else runs, so that no library sees the process otherwise.
namespace ProcessRights {

// Where the program was started with rights its user does not have (set-user-ID, set-group-ID or
// file capabilities: the kernel's secure-execution mode), gives them all up for good and says so
// once on standard error; the date is then changed only through the system's date and time
// service, which asks for permission. Ends the program if the rights cannot be given up.
void dropSpecialRights();

// A closed standard error must not end the program in the middle of a preview: writing to a
// broken pipe fails instead of raising a signal, and the program goes on without the message.
void ignoreBrokenPipes();

} // namespace ProcessRights
