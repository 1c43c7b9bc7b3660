" Test scripts of the test-script compiler: *.pts
autocmd BufNewFile,BufRead *.pts setfiletype pts
