/* iface.h: nothing the script needs */
int unused_counter;
