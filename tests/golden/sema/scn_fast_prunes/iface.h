int probe(int level);
