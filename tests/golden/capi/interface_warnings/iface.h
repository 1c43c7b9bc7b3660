/* Warnings only: generation goes on, the status is 3. */
struct twice { int a; };
struct twice { int b; };
int big = 0x1ffffffff;
int stray ) ;
int fine;
