s1.spg: s1.pts \
  iface.h
