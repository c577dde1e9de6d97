// The page's bridge between its C++ and the browser, in place of a general
// binding library: JavaScript values held in a table and named in C++ by their
// index (a handle, counted), texts passed as UTF-16, and each event handed to
// one exported function with its kind and the cell or button it is for.
mergeInto(LibraryManager.library, {
  // Handles 0 and 1 are undefined and null, and never released.
  $bridge: {values: [undefined, null], counts: [1, 1], spare: []},
  // ASCII names and UTF-16 texts from this side's memory.
  $bridgeAscii: function(pointer) {
    let text = "";
    for (let at = pointer; HEAPU8[at]; at++) text += String.fromCharCode(HEAPU8[at]);
    return text;
  },
  $bridgeText: function(pointer, length) {
    let text = "";
    for (let i = 0; i < length; i++) text += String.fromCharCode(HEAPU16[(pointer >> 1) + i]);
    return text;
  },
  $bridgeKeep__deps: ["$bridge"],
  $bridgeKeep: function(value) {
    if (value === undefined) return 0;
    if (value === null) return 1;
    const handle = bridge.spare.length ? bridge.spare.pop() : bridge.values.length;
    bridge.values[handle] = value;
    bridge.counts[handle] = 1;
    return handle;
  },

  js_global__deps: ["$bridgeKeep", "$bridgeAscii"],
  js_global: function(name) { return bridgeKeep(globalThis[bridgeAscii(name)]); },
  js_ascii__deps: ["$bridgeKeep", "$bridgeAscii"],
  js_ascii: function(text) { return bridgeKeep(bridgeAscii(text)); },
  js_text__deps: ["$bridgeKeep", "$bridgeText"],
  js_text: function(text, length) { return bridgeKeep(bridgeText(text, length)); },
  js_number__deps: ["$bridgeKeep"],
  js_number: function(number) { return bridgeKeep(number); },
  js_bool__deps: ["$bridgeKeep"],
  js_bool: function(flag) { return bridgeKeep(!!flag); },

  js_dup__deps: ["$bridge"],
  js_dup: function(handle) { if (handle > 1) bridge.counts[handle]++; },
  js_drop__deps: ["$bridge"],
  js_drop: function(handle) {
    if (handle > 1 && --bridge.counts[handle] === 0) {
      bridge.values[handle] = undefined;
      bridge.spare.push(handle);
    }
  },

  js_get__deps: ["$bridge", "$bridgeKeep", "$bridgeAscii"],
  js_get: function(handle, name) {
    return bridgeKeep(bridge.values[handle][bridgeAscii(name)]);
  },
  js_set__deps: ["$bridge", "$bridgeAscii"],
  js_set: function(handle, name, value) {
    bridge.values[handle][bridgeAscii(name)] = bridge.values[value];
  },
  js_call__deps: ["$bridge", "$bridgeKeep", "$bridgeAscii"],
  js_call: function(handle, name, args, count) {
    const target = bridge.values[handle];
    const values = [];
    for (let i = 0; i < count; i++) values.push(bridge.values[HEAP32[(args >> 2) + i]]);
    return bridgeKeep(target[bridgeAscii(name)](...values));
  },

  js_to_number__deps: ["$bridge"],
  js_to_number: function(handle) { return Number(bridge.values[handle]); },
  js_truthy__deps: ["$bridge"],
  js_truthy: function(handle) { return bridge.values[handle] ? 1 : 0; },
  js_nullish__deps: ["$bridge"],
  js_nullish: function(handle) { return bridge.values[handle] == null ? 1 : 0; },
  js_same__deps: ["$bridge"],
  js_same: function(a, b) { return bridge.values[a] === bridge.values[b] ? 1 : 0; },
  js_text_length__deps: ["$bridge"],
  js_text_length: function(handle) { return String(bridge.values[handle]).length; },
  js_text_copy__deps: ["$bridge"],
  js_text_copy: function(handle, out, length) {
    const text = String(bridge.values[handle]);
    for (let i = 0; i < length; i++) HEAPU16[(out >> 1) + i] = text.charCodeAt(i);
  },

  // The event to C++, as a new handle the receiver releases.
  js_listen__deps: ["$bridge", "$bridgeKeep", "$bridgeAscii"],
  js_listen: function(handle, name, kind, index) {
    bridge.values[handle].addEventListener(bridgeAscii(name), (event) => {
      _trivelan_event(kind, index, bridgeKeep(event));
    });
  },
});
