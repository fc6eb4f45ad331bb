// Placeholder until the emulator stand-in lands; exits with a failure so nothing mistakes it for a run.
int main() { return 1; }
