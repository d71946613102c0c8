#pragma once

// --register-browsers and --unregister-browsers: the browsers' manifests of the host the
// browser companion reaches Vireloom through, written for this user or removed, one line
// per manifest. Returns the exit code.
int runBrowserRegistration(bool unregister, int argc, char **argv);
