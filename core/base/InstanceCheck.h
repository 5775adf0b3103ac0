#pragma once

struct Services;

// Claims the program's single running instance. When another instance already runs, shows the
// executable name followed by " márt fut ! " in an exclamation box and returns false; the
// caller then ends the program without touching the running one.
bool claimSingleInstance(const Services& services);
