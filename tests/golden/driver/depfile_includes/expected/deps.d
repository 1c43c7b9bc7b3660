out/drv.tdc out/drv.h out/drv_dyn.tsf out/drv.cc: s1.pts \
  parts/common.pts \
  std.def \
  more.def \
  iface.h \
  my\ types.h \
  inc/inner.h \
  second.h
