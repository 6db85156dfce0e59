/* Calls a 32-bit stdcall function the way an older caller does: with the stack
 * pointer aligned to 4 bytes only, at a chosen offset from a 16-byte boundary.
 *
 *   uint32_t CallFromUnalignedStack(const void *function, const uint32_t *args,
 *                                   int count, int offset, int32_t *drift,
 *                                   int32_t *clobbered);
 *
 * Pushes args[count-1] .. args[0] so that the stack pointer is 16n + offset at the
 * call, calls, and stores in *drift how far the stack pointer after the return is
 * from where a callee that pops its own arguments leaves it: 0 for stdcall,
 * -4 * count for a callee that leaves them to the caller. *clobbered counts the
 * callee-saved registers (ebx, esi, edi) that came back changed. Returns what the
 * callee returned in eax. cdecl itself, for the test program to call. */
        .text
        .globl  _CallFromUnalignedStack
        .def    _CallFromUnalignedStack; .scl 2; .type 32; .endef
_CallFromUnalignedStack:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        subl    $4, %esp                /* -16(%ebp): stack pointer expected after */
        movl    12(%ebp), %esi          /* args */
        movl    16(%ebp), %ecx          /* count */
        leal    (,%ecx,4), %edx         /* bytes of arguments */
        leal    -64(%esp), %eax
        subl    %edx, %eax
        andl    $-16, %eax
        addl    20(%ebp), %eax          /* stack pointer at the call */
        movl    %eax, -16(%ebp)
        addl    %edx, -16(%ebp)         /* the callee pops its arguments */
        addl    %edx, %eax
        movl    %eax, %esp              /* then the arguments go below it */
1:      testl   %ecx, %ecx
        jz      2f
        pushl   -4(%esi,%ecx,4)
        decl    %ecx
        jmp     1b
2:      movl    $0x1BADB002, %ebx       /* marks the callee must give back */
        movl    $0x5EED5EED, %esi
        movl    $0xD1CED1CE, %edi
        call    *8(%ebp)
        movl    %esp, %ecx
        subl    -16(%ebp), %ecx
        movl    24(%ebp), %edx
        movl    %ecx, (%edx)
        xorl    %ecx, %ecx
        xorl    %edx, %edx
        cmpl    $0x1BADB002, %ebx
        setne   %dl
        addl    %edx, %ecx
        cmpl    $0x5EED5EED, %esi
        setne   %dl
        addl    %edx, %ecx
        cmpl    $0xD1CED1CE, %edi
        setne   %dl
        addl    %edx, %ecx
        movl    28(%ebp), %edx
        movl    %ecx, (%edx)
        leal    -12(%ebp), %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret
