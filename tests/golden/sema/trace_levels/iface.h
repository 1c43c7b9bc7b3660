struct order { int id; };
