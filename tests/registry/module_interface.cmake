# A layout module: the two entry points and nothing else.
set(allowed "^(RegisterLayout|UnregisterLayout)$")
set(needed RegisterLayout UnregisterLayout)
