// The one-file page's program finds its WebAssembly in Module, where it puts it itself.
var Module = {};
