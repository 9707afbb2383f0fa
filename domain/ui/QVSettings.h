#pragma once
// The program's settings registry as the training domain reads it: the
// application installs its registry at start-up (before the domain's module
// start-ups) and removes it at shut-down; any other registry may be installed
// instead. Without one the domain uses its built-in values. GUI thread.

class KRegistry;

KRegistry *QVSettings();
void QVSetSettings(KRegistry *settings);
