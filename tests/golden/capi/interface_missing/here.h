int present;
