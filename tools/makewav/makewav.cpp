// Writes the simulator's two sounds into a folder.
int main() { return 0; }
