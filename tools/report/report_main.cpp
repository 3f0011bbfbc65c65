// zepharin-report: valve events and solved pivots of a design, without a window.
int main() { return 0; }
