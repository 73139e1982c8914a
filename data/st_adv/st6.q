# The Design of Suspension Bridges

Which word does the text use for what long distances would do to most other designs?
+ defeat
- exceed
- outstrip
- overwhelm

How many materials does the text name for the ropes of early bridges?
- 2
- 4
- 5
+ 3

The text says the curve of the main cables is no mere accident of what?
- design
+ style
- fashion
- taste

Which word does the text use for what is done to the wires to form a tight round bundle?
+ compacted
- squeezed
- bound
- packed

Which word does the text use for the oscillations that wrecked the Tacoma deck?
- self-excited
- self-sustaining
+ self-reinforcing
- self-amplifying

How many bridges does the text call by name?
- 2
+ 3
- 4
- 5

Which of these does the text NOT say about the main cables?
- they are spun on site
- they hold thousands of wires
- a broken wire hardly affects them
+ they are wrapped against rust

Which statement does the text close with?
- suspension bridges are among the most efficient structures
- a rope in tension can carry surprising loads across a gap
+ each new record reflects what ancient rope makers knew
- the success of steel wire led to ever longer spans
