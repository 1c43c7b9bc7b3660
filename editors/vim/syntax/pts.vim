" Vim syntax file for the test scripts of the test-script compiler (*.pts).
" Keywords are upper case and matched exactly, as the compiler's scanner
" does; a test checks that every keyword of its table is listed here.
if exists("b:current_syntax")
  finish
endif

syn case match

" Declarations and the scenario tree.
syn keyword ptsDeclaration HEADER INCLUDE COMMTYPE CHANNEL MESSAGE TRIGGER TIMER
syn keyword ptsDeclaration SHARE DECLARE_INSTANCE INSTANCE PROC CALLBACK
syn keyword ptsDeclaration VIRTUALCALLBACK PROCSEND VIRTUALPROCSEND SCENARIO FAMILY
syn keyword ptsDeclaration INITIALIZATION TERMINATION EXCEPTION LOOP IS ON WITH
syn keyword ptsDeclaration MULTIPLEXING CATCH
" Control flow.
syn keyword ptsConditional IF THEN ELSE CASE WHEN OTHERS END
syn keyword ptsRepeat WHILE
" Statements.
syn keyword ptsStatement ADD_ID CALL CLEAR_ID DEF_MESSAGE DEF_TRIGGER
syn keyword ptsStatement DISABLE_CLEANUP ENABLE_CLEANUP ERROR EXIT FD_ADD FD_DEL
syn keyword ptsStatement MESSAGE_DATE NO_MESSAGE PAUSE PRINT REF SEND TRACE_ON
syn keyword ptsStatement TRACE_OFF FLUSH_TRACE INTERSEND INTERRECV RENDEZVOUS
syn keyword ptsStatement RESET SET UNSET VAR WAITTIL TIMEOUT
" The wait conditions and their timeout.
syn keyword ptsFunction MATCHED MATCHING NOTMATCHED NOTMATCHING WTIME
" Words that take the rest of their text.
syn match ptsValueWord "\<\(INIT\|EV\|VA\)=\|\<EV==\|\<FORMAT="
syn match ptsComment "\<COMMENT\s.*$"

syn match ptsLineComment "--.*$"
syn region ptsString start=+"+ skip=+\\\\\|\\"+ end=+"+ oneline
syn match ptsCharacter "'\\\=.'"
syn match ptsNumber "\<\(0x\x\+\|\d\+\)L\=\>"
syn match ptsEnvironment "\$\h\w*"
" Execution filters at the start of a line: %A+B~C or %%A.
syn match ptsFilter "^%%\=[A-Z+~]*"
" Native C/C++ lines: "#" anywhere a line may start, "@" at a line start.
syn match ptsNative "^\s*#.*$"
syn match ptsNative "^\s*@.*$"
" A line beginning with "&" continues the line before it.
syn match ptsContinuation "^&"

hi def link ptsDeclaration Structure
hi def link ptsConditional Conditional
hi def link ptsRepeat Repeat
hi def link ptsStatement Statement
hi def link ptsFunction Function
hi def link ptsValueWord Keyword
hi def link ptsComment Comment
hi def link ptsLineComment Comment
hi def link ptsString String
hi def link ptsCharacter Character
hi def link ptsNumber Number
hi def link ptsEnvironment Identifier
hi def link ptsFilter PreCondit
hi def link ptsNative PreProc
hi def link ptsContinuation Special

let b:current_syntax = "pts"
