// The page's style sheets against the browsers the page supports (the
// browserslist in package.json), by caniuse's data: a feature a supported
// browser lacks, or has only in part, is an error. A declaration that needs
// none of what a browser lacks says so where it stands.
export default {
  plugins: ["stylelint-no-unsupported-browser-features"],
  rules: {
    "plugin/no-unsupported-browser-features": [true, {
      severity: "error",
      // The underline's thickness and its place under the text, which every
      // browser on the list draws; its shorthand is what some take only in part.
      ignore: ["text-decoration"],
    }],
  },
};
