struct row { int n; int v[4]; };
