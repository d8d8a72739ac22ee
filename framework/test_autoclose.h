// Unattended runs of the real program, for tests that start it as a separate
// process. With QUARVEL_TEST_AUTOCLOSE set in the environment, every modal box is
// closed as its close box would close it, and the main window is closed the same way
// once the message loop runs; each is first reported on standard error as
//   autoclose: box "<title>" "<text>"
//   autoclose: window "<title>" shown|hidden
// Without the variable nothing happens.
#pragma once

void AfxStartTestAutoClose();
