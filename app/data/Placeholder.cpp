namespace sono { int dataPlaceholder = 0; }
