namespace sono { int appPlaceholder = 0; }
