// The library without GetColor2 has no code of its own: its .def forwards every
// export it has to the real dyeplate.dll, renamed dyeplate_real.dll beside it.
