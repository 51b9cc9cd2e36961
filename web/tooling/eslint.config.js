// The page's scripts against the oldest browsers it is for (the browserslist in package.json):
// every browser API they use must be there. Only that is checked here; the language level is
// es-check's.
'use strict';
const compat = require('eslint-plugin-compat');

module.exports = [
  {
    files: ['**/*.js'],
    plugins: {compat},
    languageOptions: {ecmaVersion: 2020, sourceType: 'script'},
    settings: {lintAllEsApis: true},
    rules: {'compat/compat': 'error'},
  },
];
