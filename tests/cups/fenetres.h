#pragma once

// The print windows on the real queues that impression_cups.sh sets up; a QTest run whose
// arguments are QTest's own (a function name runs that function alone).
int fenetres(int argc, char** argv);
