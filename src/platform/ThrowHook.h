#pragma once
// A look at every failure the program raises, at the moment it is raised: the C++ runtime's
// throw entry point is wrapped, and the observer runs inside it on the throwing thread,
// before anything unwinds.

// Gets the thrown object (the most derived one). Runs inside the throw: it must not throw,
// and should not allocate. Its own frame and the throw entry's are the two innermost of the
// stack it sees.
using TThrowObserver = void (*)(const void* exceptionObject) noexcept;

// Installs observer; nullptr removes it.
void SetThrowObserver(TThrowObserver observer);
