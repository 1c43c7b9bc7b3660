__extension__ typedef int i_t;
