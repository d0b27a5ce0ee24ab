file(REMOVE_RECURSE
  "liblovaris_core.a"
)
